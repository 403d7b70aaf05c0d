#pragma once

// Enters the data-aware picture control's classes into the class registry, so that
// stored layouts can name them.
void RegisterDbPictureClasses();
