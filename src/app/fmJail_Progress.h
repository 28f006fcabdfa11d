#pragma once

#include "app/utThemeSupport.h"

#include <QPointer>

class QLabel;
class TStepProgressBar;

// The thin progress strip shown while the main window loads facility
// settings and for short busy displays; its window caption is the message.
class TfrmJail_Progress : public TNrvThemeForm {
  Q_OBJECT

 public:
  explicit TfrmJail_Progress(QWidget* owner = nullptr);

  TStepProgressBar* prgJAIL = nullptr;
  QLabel* lblProcess = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormShow();
  void FormClose();
};

// Created by the main window once a facility is chosen, stepped by start-up,
// destroyed by the main window's show handler.
extern QPointer<TfrmJail_Progress> frmJail_Progress;
