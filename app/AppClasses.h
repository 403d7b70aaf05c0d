#pragma once

// Enters every class of the program into the class registry, the layers below the
// main window first. Start-up and the tests call it; calling it again does nothing.
void RegisterAppClasses();
