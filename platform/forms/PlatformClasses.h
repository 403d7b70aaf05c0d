#pragma once

// Enters every class of the platform that a stored layout may name into the class
// registry. Called once by the application object.
void RegisterPlatformClasses();
