#pragma once

#include "app/Paths.h"
#include "catalogue/PartsTable.h"
#include "document/Assembly.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QToolBar;
class QWidget;

// The main window: slot selectors, option boxes, names, description, figures, colours and
// pilot settings, with the menus and the tool bar. Its handlers read the controls, call the
// planner's core and write the controls back; the assembly itself lives in m_assembly.
class TasmForm : public QMainWindow
{
    Q_OBJECT

public:
    // The private message the parts-list viewer sends to have the figures recomputed.
    static constexpr int kRecalcMessage = 14133;

    explicit TasmForm(const QStringList& arguments, QWidget* parent = nullptr);
    ~TasmForm() override;

    const rivet::Paths& paths() const { return m_paths; }
    // False when the catalogue failed to load: the window then refuses to work with it.
    bool catalogueReady() const { return m_catalogueReady; }
    rivet::Assembly& assembly() { return *m_assembly; }
    const rivet::PartsTable& partsTable() const { return m_table; }

    // --- evaluation
    void change();
    void select();
    void showTotals();
    void cb10Change();
    void cb11Change();
    // --- names and description
    void Button1Click();
    void editChange(QLineEdit* field);
    void acmemoChange();
    // --- closing (the long-list check item toggles itself and is saved at close)
    void acCloseformExecute();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void FormCreate(const QStringList& arguments);
    void FormClose();
    void recalcmessage();

    void buildMenus();
    void buildPage1(QWidget* page);
    void buildPage2(QWidget* page);
    void wireControls();
    void wirePage1();
    void wirePage2();
    void fillSlotSelectors(int slot);
    void fillOptionBoxes();
    void setDropDownLengths();
    void refuseWork();

    // Start-up steps that belong to the colour editor, the pilot logic and the document.
    void resetColorScheme();
    void startPilotLogic();
    void startDocument(const QStringList& arguments);

    // Writes every control from the assembly without raising change events.
    void refreshControls();
    void refreshPage1();
    void refreshPage2();
    // Runs a handler; a failure stops it and is shown in the error box.
    void guarded(const std::function<void()>& handler);

    rivet::Paths m_paths;
    rivet::PartsTable m_table;
    std::unique_ptr<rivet::Assembly> m_assembly;
    bool m_catalogueReady = false;
    bool m_refreshing = false;

    // page 1
    QTabWidget* PageControl1 = nullptr;
    QLineEdit* acname = nullptr;
    QLineEdit* pname = nullptr;
    QLineEdit* emblem = nullptr;
    QLineEdit* acpic = nullptr;
    QPlainTextEdit* acmemo = nullptr;
    std::array<QComboBox*, rivet::kSelectorCount> m_selectors {};
    std::array<QCheckBox*, rivet::kOptionCount> m_optionBoxes {};
    std::array<QPushButton*, 12> m_slotButtons {};
    std::array<QLabel*, 16> m_figureLabels {};
    std::array<QLabel*, 16> m_verdictLabels {};

    // menus and actions
    QToolBar* ToolBar1 = nullptr;
    QAction* acOpenfile = nullptr;
    QAction* acSave = nullptr;
    QAction* acSaveas = nullptr;
    QAction* acTextoutput = nullptr;
    QAction* acHtmloutput = nullptr;
    QAction* acCloseform = nullptr;
    QAction* acDamageform = nullptr;
    QAction* acPrintform = nullptr;
    QAction* acRegext = nullptr;
    QAction* acVersion = nullptr;
    QAction* N8 = nullptr;
    QAction* mnLongList = nullptr;
    QMenu* mnTextType = nullptr;
    QMenu* mnHtmltype = nullptr;
};
