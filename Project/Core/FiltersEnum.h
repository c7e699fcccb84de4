#pragma once

#include <QList>
#include <QObject>
#include <QString>

// One filter type the user can put into the chain.
struct SFilterEnumRecord {
    quint16 id = 0;
    QString name;        // translated when the catalogue is generated
    QString description; // translated when the row is added
    QString group;       // "Marks", "Border" or "Transform", translated
    int iconColumn = 0;  // column in the filter icon sheets; row is id / 1000
};

// The catalogue of filter types, in the order the filter picker lists them.
// Derives from QObject without Q_OBJECT on purpose: its texts translate in
// the "QObject" context, which a meta-object of its own would change.
class CFiltersEnum : public QObject
{
public:
    static CFiltersEnum* GetInstance();
    static void DeleteInstance();

    // Fills the catalogue with its thirteen rows in the current language.
    void GenerateList();
    // Appends a row; the description is translated here, the rest is stored
    // as given.
    void AddFilter(quint16 id, const QString& name, const QString& group, const QString& description,
                   int iconColumn);
    // Generates the catalogue again, after the interface language changed.
    void ReloadList();

    // Chain records carry 32-bit type codes; a code above 16 bits matches no
    // row instead of wrapping onto one. A miss gives the empty record.
    SFilterEnumRecord GetRecordById(quint32 id) const;
    // Compares with the translated names, case-sensitively.
    SFilterEnumRecord GetRecordByName(const QString& name) const;

    QList<SFilterEnumRecord> records;

protected:
    CFiltersEnum() = default;
    ~CFiltersEnum() override;

private:
    static CFiltersEnum* s_pInstance;
};
