// For window tests: steps run on a modal dialog once it is open, and typing into an entry.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>

// Runs `step` on the modal dialog of type T once it is open.
template <typename T>
void WhenOpen(std::function<void(T*)> step) {
  QTimer::singleShot(0, [step] {
    auto* dialog = dynamic_cast<T*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    step(dialog);
  });
}

// Types the text into the entry and presses Enter.
inline void Type(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  QTest::keyClicks(edit, text);
  QTest::keyClick(edit, Qt::Key_Return);
}
