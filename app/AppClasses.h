#pragma once

// Enters the main window's classes into the class registry. Called once at start-up.
void RegisterAppClasses();
