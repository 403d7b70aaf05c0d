#pragma once

// Enters the animated menu system's classes into the class registry, so that stored
// layouts can name them. Called once at start-up.
void RegisterMenuClasses();
