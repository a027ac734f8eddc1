#pragma once

#include "app/Paths.h"
#include "catalogue/PartsTable.h"
#include "document/Assembly.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class ColourGrid;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QTabWidget;
class QToolBar;
class QWidget;
class TDForm;
class Tdataform;
class Tzubtoolsaboutdialog;

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
    // --- colours and pilot settings: each passes the player's change to the assembly
    void sgColorMouseDown(int column, int row);
    void sgColorKeyDown(int key, bool ctrlOnly);
    void sgColorKeyUp();
    void sgColorMove(int column, int row);
    void tbRedChange(rivet::Channel channel, int position);
    void edRedChange(rivet::Channel channel, const QString& text);
    void tbLogicChange(int n, int position);
    // --- the assembly file and reports
    void openfile();
    void acSaveExecute();
    void savefileasExecute();
    bool askFileName();
    void acTextoutputExecute();
    void acHtmloutputExecute();
    void N8Click();
    void printform();
    // The template number (1..3) a template menu has marked.
    static int selectedTemplate(const QMenu* menu);
    // --- closing (the long-list check item toggles itself and is saved at close)
    void acCloseformExecute();
    // --- tools: the parts-list viewer, the damage calculator, the about dialog, the file
    // association. The auxiliary windows are created after the main window and handed over
    // here; until then their buttons and actions do nothing.
    void setAuxiliaryWindows(Tdataform* dataform, TDForm* dform, Tzubtoolsaboutdialog* about);
    void showdata(QPushButton* sender);
    void damageform();
    void regext();
    void versioninfo();

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
    void wireTools();
    void wireDocument();
    // Writes text (to the file of the current name, or the clipboard) or HTML template N;
    // false when it stopped (missing template, failure shown).
    bool exportText(bool toClipboard, int number);
    void exportHtml(int number);
    void showCurrentFileAsCaption();
    void fillSlotSelectors(int slot);
    void fillOptionBoxes();
    void setDropDownLengths();
    void refuseWork();

    // Start-up steps that belong to the colour editor, the pilot logic and the document.
    void resetColorScheme();
    void startPilotLogic();
    void openCommandLineFile(const QStringList& arguments);

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
    // The shared save dialog's filter and title, set by each flow before it asks.
    QString m_saveFilter = "テキスト|*.txt|html|*.htm|アセンブリデータ|*.asm";
    QString m_saveTitle;

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

    // page 2: colour grid, channel sliders and fields (red, green, blue), pilot settings 1..7
    ColourGrid* sgColor = nullptr;
    std::array<QSlider*, 3> m_channelSliders {};
    std::array<QLineEdit*, 3> m_channelFields {};
    QLabel* lbLineColor = nullptr;
    std::array<QSlider*, rivet::PilotLogic::kSettingCount> m_logicSliders {};
    std::array<QLineEdit*, rivet::PilotLogic::kSettingCount> m_logicFields {};

    // auxiliary windows (children of this window, so they close with it)
    Tdataform* m_dataform = nullptr;
    TDForm* m_dform = nullptr;
    Tzubtoolsaboutdialog* m_about = nullptr;
};
