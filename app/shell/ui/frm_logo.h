#pragma once
// The logo window: the program's logo picture and its version. Any click on it closes it.

#include <QLabel>

#include "shell/program_settings.h"
#include "shell/ui/ui_support.h"

namespace kovu3 {

class FrmLogo final : public MdiForm {
    Q_OBJECT
  public:
    FrmLogo(const ProgramSettings& settings, QWidget* parent = nullptr);

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QLabel* image_;
    QLabel* label_;
};

}  // namespace kovu3
