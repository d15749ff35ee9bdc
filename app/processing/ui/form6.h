#pragma once
// The control form: the raw files the last run took (List2, followed by the monthly
// extremes) and the daily extremes (List5) of the processed file it wrote. Hiding it keeps
// the lists; the selection window shows it again.

#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <string>
#include <vector>

#include "shell/program_settings.h"

namespace kovu3 {

class Form6 final : public QWidget {
    Q_OBJECT
  public:
    explicit Form6(const ProgramSettings& settings, QWidget* parent = nullptr);

    void SetLists(const std::vector<std::string>& list2, const std::vector<std::string>& list5);
    // Shows the form at the top left of the screen, in front.
    void ShowForm();

  private:
    QListWidget* list2_;
    QListWidget* list5_;
    QPushButton* command1_;
};

}  // namespace kovu3
