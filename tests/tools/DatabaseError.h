#pragma once

#include "Exception.h"

#include <QString>

// Runs call and returns the text of the EDatabaseError it raises (empty when none).
template <typename Call> QString DatabaseError(Call call)
{
    try {
        call();
    } catch (const EDatabaseError& error) {
        return error.Message();
    }
    return {};
}
