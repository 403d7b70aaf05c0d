#pragma once

// The wait box over a category query, for the length of a scope: on entry the wait
// form is created, shown and painted once (or reused when one is open already); on
// every way out, a failed query included, it is closed.
class TQueryWaitBox {
public:
    TQueryWaitBox();
    ~TQueryWaitBox();
    TQueryWaitBox(const TQueryWaitBox&) = delete;
    TQueryWaitBox& operator=(const TQueryWaitBox&) = delete;
};
