#pragma once

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

// Acts on the modal window that the code under test is about to open, once
// its event loop runs. If no modal window turns up, the test fails and every
// open dialog is rejected so that the test cannot hang.
inline void WithNextModal(std::function<void(QWidget*)> action) {
  QTimer::singleShot(0, [action = std::move(action)] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      action(modal);
      return;
    }
    ADD_FAILURE() << "no modal window was opened";
    for (QWidget* top : QApplication::topLevelWidgets())
      if (auto* dialog = qobject_cast<QDialog*>(top); dialog && dialog->isVisible())
        dialog->reject();
  });
}

// Esc pressed on a window, as the keyboard would deliver it.
inline void PressEscape(QWidget* window) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(window, &press);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(window, &release);
}
