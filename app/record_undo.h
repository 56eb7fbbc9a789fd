#pragma once
// The history of record changes for undo and redo: "Ajouter" (a new record or a replacement),
// "Supprimer" and "Tout supprimer", any number of steps, from the document's opening or
// making new on. A step is recorded after its change has been made to the store; the history
// also knows at which step the document was last saved, so that the front-end can say the
// document is unchanged again when undo or redo leads back there.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/text_catalogue.h"
#include "records/date_store_map.h"

enum class RecordAction { Add, Delete, DeleteAll };

// The name of an action as the undo and redo commands name it ("Supprimer").
TextId RecordActionText(RecordAction action);

// The question before "Tout supprimer", saying how many records go (thousands grouped).
std::string DeleteAllQuestion(int count);

// What an undo or redo did to the store, so that a front-end can bring its list up to date.
struct RecordRestore {
    enum class List {
        NameAdded,   // the name is in the store again: insert it in the list
        NameRemoved, // the name has left the store: remove it from the list
        NameKept,    // the name stays, its record changed (a replacement)
        Refilled,    // the whole store changed: fill the list again
    };
    List list = List::Refilled;
    NameKey name; // the record concerned; empty for Refilled
};

class RecordHistory {
  public:
    RecordHistory();
    ~RecordHistory();
    RecordHistory(const RecordHistory&) = delete;
    RecordHistory& operator=(const RecordHistory&) = delete;

    // A record has been stored under name; replaced holds the record it replaced, if any.
    void Added(const NameKey& name, const VXDateStore& record,
               const std::optional<VXDateStore>& replaced);
    // The record of name has been removed.
    void Deleted(const NameKey& name, const VXDateStore& record);
    // "Tout supprimer": takes every record out of the store into the history, which keeps them
    // as the one store they were (no copy per record), and leaves the store empty.
    void DeleteAll(DateStoreMap& store);

    bool CanUndo() const { return m_nDone > 0; }
    bool CanRedo() const;
    // The action undo or redo would take back or do again; only while it can.
    RecordAction UndoAction() const;
    RecordAction RedoAction() const;

    // Takes back the last step done, or does again the last step undone, on the store the steps
    // were recorded on. Only while CanUndo or CanRedo.
    RecordRestore Undo(DateStoreMap& store);
    RecordRestore Redo(DateStoreMap& store);

    // The document was opened or made new: no history, and what the store holds is saved.
    void Clear();
    // The document was saved: what the store holds now is the saved state.
    void MarkSaved();
    // Whether the store holds what was last saved (or opened), as far as the history knows.
    bool AtSavedState() const { return m_saved == m_nDone; }

  private:
    struct Step;
    void Push(Step step);

    std::vector<Step> m_steps;
    std::size_t m_nDone = 0; // steps done; those after them have been undone
    // The number of steps done at the saved state; none when that state was undone and a new
    // step recorded after it, so that no step leads back there.
    std::optional<std::size_t> m_saved = 0;
};

// The undo and redo commands' texts: "&Annuler Supprimer", or "&Annuler" while there is
// nothing to undo (the command then greyed); likewise "&Rétablir ...".
std::string UndoCommandText(const RecordHistory& history);
std::string RedoCommandText(const RecordHistory& history);
