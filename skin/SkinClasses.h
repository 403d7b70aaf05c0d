#pragma once

// Enters the skinned window kit's classes into the class registry, so that stored
// layouts can name them. Called once at start-up.
void RegisterSkinClasses();
