#pragma once

#include "classes/Object.h"
#include "classes/Strings.h"
#include "rtl/DateUtils.h"

#include <QString>

// An INI file: sections of "name=value" lines with typed reads and writes over the string values. A typed
// read gives its default when the entry is missing or its text does not convert.
class TCustomIniFile : public TObject {
public:
    explicit TCustomIniFile(const QString &fileName);
    const QString &FileName() const { return fileName_; }

    virtual QString ReadString(const QString &section, const QString &ident, const QString &defaultValue) const = 0;
    virtual void WriteString(const QString &section, const QString &ident, const QString &value) = 0;
    // Decimal, or hexadecimal after "0x".
    virtual int ReadInteger(const QString &section, const QString &ident, int defaultValue) const;
    virtual void WriteInteger(const QString &section, const QString &ident, int value);
    // Any integer but 0 is true; written as "0" or "1".
    virtual bool ReadBool(const QString &section, const QString &ident, bool defaultValue) const;
    virtual void WriteBool(const QString &section, const QString &ident, bool value);
    // Dates, times and numbers in the locale's formats (FormatSettings).
    virtual TDateTime ReadDate(const QString &section, const QString &ident, TDateTime defaultValue) const;
    virtual TDateTime ReadDateTime(const QString &section, const QString &ident, TDateTime defaultValue) const;
    virtual double ReadFloat(const QString &section, const QString &ident, double defaultValue) const;
    virtual TDateTime ReadTime(const QString &section, const QString &ident, TDateTime defaultValue) const;
    virtual void WriteDate(const QString &section, const QString &ident, TDateTime value);
    virtual void WriteDateTime(const QString &section, const QString &ident, TDateTime value);
    virtual void WriteFloat(const QString &section, const QString &ident, double value);
    virtual void WriteTime(const QString &section, const QString &ident, TDateTime value);
    // The entry names of a section; the section names; the whole entry lines of a section.
    virtual void ReadSection(const QString &section, TStrings &strings) const = 0;
    virtual void ReadSections(TStrings &strings) const = 0;
    virtual void ReadSectionValues(const QString &section, TStrings &strings) const = 0;
    virtual void EraseSection(const QString &section) = 0;
    virtual void DeleteKey(const QString &section, const QString &ident) = 0;
    virtual void UpdateFile() = 0;

private:
    QString fileName_;
};

// The whole file held in memory: read when the object is made, written back only by UpdateFile. Nothing is
// trimmed; section and entry names match without regard to letter case, and the first match wins (a file
// may hold two sections whose names differ only in case: both are kept and written back).
class TMemIniFile : public TCustomIniFile {
public:
    // Raises EInOutError when the file exists but cannot be read.
    explicit TMemIniFile(const QString &fileName);

    QString ReadString(const QString &section, const QString &ident, const QString &defaultValue) const override;
    void WriteString(const QString &section, const QString &ident, const QString &value) override;
    void ReadSection(const QString &section, TStrings &strings) const override;
    void ReadSections(TStrings &strings) const override;
    void ReadSectionValues(const QString &section, TStrings &strings) const override;
    void EraseSection(const QString &section) override;
    void DeleteKey(const QString &section, const QString &ident) override;
    // Replaces the file only once the whole text is written; raises EInOutError when it cannot be written.
    void UpdateFile() override;

    // Appends the file's text: a "[name]" line, the entry lines and one empty line per section.
    void GetStrings(TStrings &list) const;
    // Replaces the table with the sections of the given lines; lines before the first section, empty lines
    // and lines beginning with ";" are dropped.
    void SetStrings(const TStrings &list);

private:
    TStrings *FindSection(const QString &section) const;
    TStrings &AddSection(const QString &section);

    // Section names, each with its entry lines as the owned object.
    TStringList sections_{true};
};
