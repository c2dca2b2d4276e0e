// Exceptions must not unwind through Qt's event dispatch; handlers run inside Guarded,
// which hands an escaping exception to the application's error report.
#pragma once

#include <exception>

void HandleException(const std::exception& error);

template <class F> void Guarded(F&& f) {
    try {
        f();
    } catch (const std::exception& error) {
        HandleException(error);
    }
}
