#pragma once

#include "forms/Form.h"

class TBevel;
class TButton;
class TLabel;
class TmlCustomLang;
class TmlLabel;

// Where an about box's shared labels stand: their left edge and tops, and the rule between the maker and the
// memory figures.
struct TAboutLayout {
    int Left;
    int VersionTop;
    int MakerTop;
    int LinkTop;
    int RuleLeft;
    int RuleTop;
    int RuleWidth;
    int MemoryTop;
    int PhysMemTop;
    int InUseTop;
    int FreeResTop;
};

// What the program's about box and its plug-ins' have in common: a raised title, the version, the maker and its
// web address as a link that opens in the browser, the machine's memory figures, OK, and their language
// entries. Each box builds these in its own order, among its own controls.
class TAboutBox : public TForm {
    Q_OBJECT
public:
    using TForm::TForm;

    TLabel *Label3 = nullptr;
    TLabel *Label4 = nullptr;
    TLabel *Label5 = nullptr;
    TBevel *Bevel1 = nullptr;
    TLabel *Label6 = nullptr;
    TLabel *PhysMem = nullptr;
    TLabel *Label7 = nullptr;
    TLabel *FreeRes = nullptr;
    TButton *Button1 = nullptr;

    void FormCreate(TObject *sender);
    void Label5Click(TObject *sender);

protected:
    TmlLabel *NewTitle(const QString &name, int left, int top, int width, int height, int fontHeight,
                       const QString &caption);
    void AddFigures(const TAboutLayout &layout, const QString &version, const QString &maker,
                    const QString &webAddress);
    void AddOkButton(int left, int top);
    // The box's own class names its caption and hint entries; an empty Russian text leaves the English one.
    // The title and the shared labels must be built first.
    void AddLangEntries(TmlCustomLang *lang, const QString &titleRussian, const QString &versionRussian);

private:
    TLabel *NewLabel(const QString &name, int left, int top, const QString &caption);

    TmlLabel *title_ = nullptr;
};
