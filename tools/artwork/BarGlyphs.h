#pragma once

#include "Artwork.h"

// The pictures of the category buttons on the button bar's pages: network, multimedia,
// tools, industry software, interface showcase, interface programs, questions, exit.
void addBarGlyphs(std::vector<ArtworkPicture>& pictures);
