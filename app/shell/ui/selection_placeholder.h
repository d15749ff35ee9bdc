#pragma once
// Stands in for the station and water-year selection window until that window is part of
// the program: it says so and shows what the menu handed over.

#include "shell/program_settings.h"
#include "shell/ui/ui_support.h"

namespace kovu3 {

class SelectionPlaceholder final : public MdiForm {
    Q_OBJECT
  public:
    SelectionPlaceholder(const ProgramSettings& settings, const QString& title,
                         QWidget* parent = nullptr);
};

}  // namespace kovu3
