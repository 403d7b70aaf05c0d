#pragma once

// Makes GIF images known to the platform at start-up: the picture file format "gif"
// ("CompuServe GIF Image"), the clipboard format "GIF Image", and the streamable
// classes TGIFImage and TGIFFrame. Unregister undoes what can be undone at shutdown.
class TGIFRegistration {
public:
    static void Register();
    static void Unregister();
};
