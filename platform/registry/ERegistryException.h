#pragma once

#include "Exception.h"

// A registry operation that failed: a value of the wrong kind, a name the store cannot
// hold, or a file that cannot be written.
class ERegistryException : public Exception {
    using Exception::Exception;
};
