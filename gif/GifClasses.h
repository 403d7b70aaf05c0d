#pragma once

// Makes the GIF layer known at start-up: the GIF picture format (TGIFRegistration) and
// the animator classes that stored layouts can name. Called once by the program.
void RegisterGifClasses();
