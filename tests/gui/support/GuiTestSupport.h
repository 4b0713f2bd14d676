#pragma once

#include <QApplication>
#include <QString>
#include <QWidget>

#include <functional>

namespace quolan::testing {

// Types text into a widget key by key, any script: QTest::keyClicks only
// handles Latin-1.
void typeText(QWidget& widget, const QString& text);

// Runs `handle` on the next modal window that opens (a message box, a file or
// font dialog), polling from a timer so the test can call the blocking code.
void whenModalOpens(std::function<void(QWidget& modal)> handle);

// Lets queued events run.
void settle();

template <typename T> T& child(const QObject& parent, const char* name) {
    auto* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        throw std::runtime_error(std::string("no child named ") + name);
    return *found;
}

} // namespace quolan::testing
