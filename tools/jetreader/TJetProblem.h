#pragma once

#include <stdexcept>

// Why the reader cannot go on: the text is what the gallery and the tool show after the
// file's name ("it has no table picture").
class TJetProblem : public std::runtime_error {
    using std::runtime_error::runtime_error;
};
