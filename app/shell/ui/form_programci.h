#pragma once
// The programmer-options window "Programcı Seçenekleri": the agency edition and the setup
// date conversion, saved scrambled. Its controls show only in the programmer mode; without
// it the window asks for the password once when it opens.

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <array>

#include "shell/program_settings.h"
#include "shell/ui/ui_support.h"

namespace kovu3 {

class FormProgramci final : public MdiForm {
    Q_OBJECT
  public:
    FormProgramci(ProgramSettings& settings, QWidget* parent = nullptr);
    void activated() override;

  private:
    void ShowForLevel();
    void Save();

    ProgramSettings& settings_;
    bool passwordAsked_ = false;
    bool convertLoaded_ = false;
    QCheckBox* convert_;
    QGroupBox* edition_;
    std::array<QRadioButton*, 2> editions_{};
    QLineEdit* editionCode_;
};

}  // namespace kovu3
