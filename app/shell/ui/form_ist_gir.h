#pragma once
// The station-name window: a grid over the station store, where records are typed in and
// changed in place, and a delete button that asks for a second click.

#include <QPushButton>
#include <QTableView>

#include "shell/program_settings.h"
#include "shell/ui/station_table_model.h"
#include "shell/ui/ui_support.h"

namespace kovu3 {

class Form_IstGir final : public MdiForm {
    Q_OBJECT
  public:
    Form_IstGir(const ProgramSettings& settings, QWidget* parent = nullptr);
    void activated() override;
    StationTableModel* model() const { return model_; }

  signals:
    void beeped();
    // Exit: the selection window closes so that it shows the new names when it opens again.
    void selectionWindowCloseRequested();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void DeleteClicked();
    void CancelConfirmation();
    void Beep();

    const ProgramSettings& settings_;
    StationTableModel* model_;
    QTableView* grid_;
    QPushButton* exit_;
    QPushButton* delete_;
    QPalette normalPalette_;
    bool confirming_ = false;
};

}  // namespace kovu3
