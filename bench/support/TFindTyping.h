#pragma once

#include <QString>

class TMianForm;

// A text typed into the gallery's find box, to the painted first page of its matches, as
// the box shows them: the catalogue's name search (opened when the box opens, so not
// timed), the query over the keys found, and the icons grid painted with it. The search
// runs here on the interface thread, without the hand-over of the box's search thread.
class TFindTyping {
public:
    struct TFigures {
        double seconds = 0; // best of three
        int matches = 0;
    };

    static TFigures Measure(TMianForm& form, const QString& text);
};
