#pragma once

class QString;

// Standard error of the program: where messages go when no person answers a box
// (wrong command lines, screenshot runs).
class TErrorOutput {
public:
    // Prints "zentuvio: message" and a line end.
    static void Print(const QString& message);
};
