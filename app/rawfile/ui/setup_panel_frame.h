#pragma once
// The setup-parameter panel Frame2 of the selection window: the eighteen boxes TextSetup(0)
// to TextSetup(17) of the raw file clicked last, of which the setup level (3) and the setup
// date and time (4) may be corrected and saved back into the raw file; the printout of the
// setup parameters of every listed file and the numbered dump of the raw file, each opened
// in the desktop's viewer.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "rawfile/raw_decoder.h"
#include "shell/program_settings.h"
#include "shell/ui/ui_support.h"

namespace kovu3 {

class SetupPanelFrame final : public QGroupBox {
    Q_OBJECT
  public:
    // The raw files the printout covers: the selection window's raw-file list.
    using ListedFiles = std::function<std::vector<std::string>()>;

    SetupPanelFrame(const ProgramSettings& settings, Launcher launcher, ListedFiles listed,
                    QWidget* parent = nullptr);

    // Decodes the raw file and fills the boxes; the result goes to the selection window's
    // problem lists. Enables Command8.
    const RawFileResult& ShowRawFile(const std::string& fileName);
    void Clear();
    const std::string& fileName() const { return fileName_; }
    const RawFileResult& lastDecoding() const { return decoded_; }

    // The setup panel forgets a pending edit's button each time the window is activated.
    void disableSave() { save_->setEnabled(false); }
    QPushButton* rawDataButton() const { return dump_; }
    QLabel* correctedNote() const { return text8_; }

    // The buttons' work, as a click runs it.
    void SaveSetup();   // CmdSetupKaydet
    void PrintSetup();  // Command5
    void DumpRaw();     // Command8

  signals:
    // The raw file was rewritten by a save.
    void rawFileChanged(const QString& fileName);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Open(const std::string& path);

    const ProgramSettings& settings_;
    Launcher launcher_;
    ListedFiles listed_;
    std::array<QLineEdit*, 18> boxes_{};
    std::array<QLabel*, 18> labels_{};
    QLabel* text8_;
    QLabel* text6_;
    QPushButton* save_;
    QPushButton* print_;
    QPushButton* dump_;
    std::string fileName_;
    RawFileResult decoded_;
};

}  // namespace kovu3
