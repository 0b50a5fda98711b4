// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/CorvaneError.h"

#include <QApplication>
#include <exception>
#include <new>
#include <type_traits>
#include <utility>

namespace corvane {

// The general error handler: shows the error's text in a message box (through the dialog
// seam) and lets the program go on.
void showError(const QString& text);

// What the user reads when memory ran out somewhere no reader caught it (those say which
// file they were reading): never a bare "std::bad_alloc". Set to the translation.
QString outOfMemoryText();
void setOutOfMemoryText(const QString& text);

// Runs f and hands any exception to showError, so nothing unwinds through Qt's own code.
// Returns false when f threw.
template <typename F> bool guarded(F&& f) noexcept
{
    try {
        std::forward<F>(f)();
        return true;
    } catch (const CorvaneError& e) {
        showError(e.text());
    } catch (const std::bad_alloc&) {
        showError(outOfMemoryText());
    } catch (const std::exception& e) {
        showError(QString::fromUtf8(e.what()));
    } catch (...) {
        showError(QStringLiteral("Unknown error"));
    }
    return false;
}

// Wraps a handler for connect(): the slot runs under guarded(). A handler that takes none of
// the signal's arguments is called without them.
template <typename F> auto guard(F f)
{
    return [f = std::move(f)](auto&&... args) {
        guarded([&] {
            if constexpr (std::is_invocable_v<const F&, decltype(args)...>)
                f(std::forward<decltype(args)>(args)...);
            else
                f();
        });
    };
}

// The application object: the last line of defence for events Qt delivers directly.
class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace corvane
