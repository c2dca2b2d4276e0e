// SPDX-License-Identifier: GPL-3.0-or-later
// Exceptions must not unwind through Qt's event dispatch; handlers run inside Guarded,
// which hands an escaping exception to the application's error report.
#pragma once

#include <exception>

// An operation cancelled on purpose: it unwinds like any exception, and nobody is told.
class EAbort : public std::exception {
public:
    const char* what() const noexcept override { return "Operation aborted"; }
};

void HandleException(const std::exception& error);

template <class F> void Guarded(F&& f) {
    try {
        f();
    } catch (const EAbort&) {
    } catch (const std::exception& error) {
        HandleException(error);
    }
}
