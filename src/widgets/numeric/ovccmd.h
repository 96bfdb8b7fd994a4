#pragma once

// The command processor: editing command codes and the key tables that translate keystrokes.

#include <vector>

#include <QString>
#include <QtGlobal>

namespace lw::numeric {

/// Editing command codes. They travel as 16-bit words; codes from ccUserFirst up belong to the
/// application. The named codes keep their numeric values because key tables store them.
enum TOvcCommand : quint16 {
    ccNone = 0,
    ccBack,
    ccBotOfPage,
    ccBotRightCell,
    ccCompleteDate,
    ccCompleteTime,
    ccCopy,
    ccCtrlChar,
    ccCut,
    ccDec,
    ccDel,
    ccDelBol,
    ccDelEol,
    ccDelLine,
    ccDelWord,
    ccDown,
    ccEnd,
    ccExtendDown,
    ccExtendEnd,
    ccExtendHome,
    ccExtendLeft,
    ccExtendPgDn,
    ccExtendPgUp,
    ccExtendRight,
    ccExtendUp,
    ccExtBotOfPage,
    ccExtFirstPage,
    ccExtLastPage,
    ccExtTopOfPage,
    ccExtWordLeft,
    ccExtWordRight,
    ccFirstPage,
    ccGotoMarker0,
    ccGotoMarker1,
    ccGotoMarker2,
    ccGotoMarker3,
    ccGotoMarker4,
    ccGotoMarker5,
    ccGotoMarker6,
    ccGotoMarker7,
    ccGotoMarker8,
    ccGotoMarker9,
    ccHome,
    ccInc,
    ccIns,
    ccLastPage,
    ccLeft,
    ccNewLine,
    ccNextPage,
    ccPageLeft,
    ccPageRight,
    ccPaste,
    ccPrevPage,
    ccRedo,
    ccRestore,
    ccRight,
    ccScrollDown,
    ccScrollUp,
    ccSetMarker0,
    ccSetMarker1,
    ccSetMarker2,
    ccSetMarker3,
    ccSetMarker4,
    ccSetMarker5,
    ccSetMarker6,
    ccSetMarker7,
    ccSetMarker8,
    ccSetMarker9,
    ccTab,
    ccTableEdit,
    ccTopLeftCell,
    ccTopOfPage,
    ccUndo,
    ccUp,
    ccWordLeft,
    ccWordRight,
    // Internal codes: produced by the processor or the field itself, never by a key table.
    ccTypedChar = 249,
    ccMouseDown,
    ccMouseDrag,
    ccKeyPass,
    ccDoubleClick,
    ccSwallow,
    ccPending,
    ccUserFirst = 256,
};

/// One key table entry: a key, or a sequence of two keys, and the command it yields.
struct TOvcKeyRecord
{
    /// As Shift2: the second key matches when pressed with no shift key or with Ctrl alone.
    static constexpr quint8 ShiftNoneOrCtrl = 128;

    quint8 Key1 = 0; ///< virtual-key code of the first key
    quint8 Shift1 = 0; ///< shift state of the first key (2 Shift, 4 Ctrl, 8 Alt, summed)
    quint8 Key2 = 0; ///< virtual-key code of the second key; 0 for a one-key command
    quint8 Shift2 = 0; ///< shift state of the second key, or ShiftNoneOrCtrl
    quint16 Command = ccNone;

    /// True when both records name the same key sequence.
    bool sameKeys(const TOvcKeyRecord &other) const;
};

// Tables are stored and exchanged as packed 6-byte records.
static_assert(sizeof(TOvcKeyRecord) == 6);

/// A named list of key records that the processor searches while the table is active.
class TOvcCommandTable
{
public:
    explicit TOvcCommandTable(const QString &name, bool active = true);

    const QString &TableName() const { return FTableName; }

    bool IsActive() const { return FActive; }

    void SetActive(bool active) { FActive = active; }

    /// Appends a record; throws EDuplicateCommand when the table already holds its keys.
    void AddRec(const TOvcKeyRecord &record);

    qsizetype Count() const { return qsizetype(FRecords.size()); }

    const std::vector<TOvcKeyRecord> &Records() const { return FRecords; }

    /// The first record whose first key matches, or none.
    const TOvcKeyRecord *FindFirstKey(quint8 key, quint8 shift) const;

    /// The record of the two-key sequence that continues the given first key, or none.
    const TOvcKeyRecord *FindSecondKey(
            quint8 key1, quint8 shift1, quint8 key2, quint8 shift2) const;

    /// The "Default" table that every entry field uses unless told otherwise (64 records).
    static TOvcCommandTable CreateDefault();

private:
    QString FTableName;
    bool FActive = true;
    std::vector<TOvcKeyRecord> FRecords;
};

/// Translates key presses into commands through an ordered list of command tables. Keeps the
/// state of a two-key sequence and of a literal-next prefix between calls.
class TOvcCommandProcessor
{
public:
    /// Holds the active "Default" table.
    TOvcCommandProcessor();

    /// Appends a table; earlier tables win when two active tables hold the same keys.
    void AddTable(const TOvcCommandTable &table);

    qsizetype TableCount() const { return qsizetype(FTables.size()); }

    /// Throws ETableNotFound for an index outside 0..TableCount()-1.
    TOvcCommandTable &Table(qsizetype index);

    /// Throws ETableNotFound when no table has that name.
    TOvcCommandTable &TableByName(const QString &name);

    /// Adds a record to the named table; throws ETableNotFound or EDuplicateCommand.
    void AddCommandByName(const QString &tableName, const TOvcKeyRecord &record);

    /// Adds a record to the table at index; throws ETableNotFound or EDuplicateCommand.
    void AddCommandByIndex(qsizetype index, const TOvcKeyRecord &record);

    /// The command for a key-down given as virtual-key code and shift state; ccKeyPass when the
    /// key is no command, ccPending while a sequence is incomplete, ccSwallow when it failed.
    quint16 Translate(quint8 key, quint8 shift);

    /// True when an active table starts a command with this key; the state does not change.
    bool isCommandKey(quint8 key, quint8 shift) const;

private:
    enum class State { Idle, SecondKeyPending, LiteralNext };

    template <typename Find>
    const TOvcKeyRecord *searchActiveTables(Find find) const;

    quint16 finish(quint16 command);

    std::vector<TOvcCommandTable> FTables;
    State FState = State::Idle;
    quint8 FFirstKey = 0;
    quint8 FFirstShift = 0;
};

} // namespace lw::numeric
