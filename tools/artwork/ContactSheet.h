#pragma once

#include "Artwork.h"

// A sheet for looking the artwork over: every picture magnified three times with its
// name, then a small window put together from each skin set.
QImage drawContactSheet(const std::vector<ArtworkPicture>& pictures);
