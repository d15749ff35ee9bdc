#pragma once
// The settings window "Ayarlar": whether the graph draws the logger's own extremes, the six
// graph colours chosen from a palette, and (in the ZEY edition) the extremes policy.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <array>

#include "shell/program_settings.h"
#include "shell/settings_values.h"
#include "shell/ui/ui_support.h"

namespace kovu3 {

// A label that reports clicks: the palette cells and the hidden programmer label.
class ClickableLabel final : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;
  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent*) override { emit clicked(); }
};

class FormGenelSetup final : public MdiForm {
    Q_OBJECT
  public:
    FormGenelSetup(ProgramSettings& settings, QWidget* parent = nullptr);
    void activated() override;

  signals:
    // The caption-less label was clicked: the main window opens the programmer options.
    void programmerOptionsRequested();

  private:
    QWidget* BuildGraphTab();
    QWidget* BuildColourTab();
    QWidget* BuildPolicyTab();
    void SetColour(int field, WindowsColour colour);
    void Save();

    ProgramSettings& settings_;
    GeneralSettingsValues values_;
    QTabWidget* tabs_;
    QCheckBox* drawExtremes_;
    std::array<QLabel*, 6> colourFields_{};
    std::array<QRadioButton*, 3> policies_{};
    QLineEdit* policyText_;
    QPlainTextEdit* warning_;
};

}  // namespace kovu3
