#pragma once
// The browser window: the maker's web page inside the program, with an address box that
// remembers the places visited. Built only when Qt WebEngine is there; otherwise the menu
// opens the address in the desktop's browser.

#include <QComboBox>
#include <QLabel>
#include <QTimer>
#include <QWebEngineView>

#include "shell/program_settings.h"
#include "shell/ui/ui_support.h"

namespace kovu3 {

class frmBrowser final : public MdiForm {
    Q_OBJECT
  public:
    frmBrowser(const ProgramSettings& settings, QWidget* parent = nullptr);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Navigate(const QString& address);
    void NavigationDone(bool ok);
    void Tick();

    QWidget* addressArea_;
    QLabel* label_;
    QComboBox* address_;
    QWebEngineView* browser_;
    QTimer* timer_;
    bool busy_ = false;
};

}  // namespace kovu3
