#pragma once
// The password window "Şifre Girişi": the right access text switches the programmer mode on
// until the program ends. A wrong one gives no message.

#include <QDialog>
#include <QLineEdit>

#include "shell/program_settings.h"

namespace kovu3 {

class Form3 final : public QDialog {
    Q_OBJECT
  public:
    Form3(ProgramSettings& settings, QWidget* parent = nullptr);

  private:
    ProgramSettings& settings_;
    QLineEdit* entry_;
};

}  // namespace kovu3
