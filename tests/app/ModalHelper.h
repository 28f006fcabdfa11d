#pragma once

#include <QApplication>
#include <QDialog>
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
