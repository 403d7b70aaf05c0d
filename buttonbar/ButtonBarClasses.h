#pragma once

// Enters the button bar's, speed button's, link label's and sound list's classes into
// the class registry, so that stored layouts can name them. Called once at start-up.
void RegisterButtonBarClasses();
