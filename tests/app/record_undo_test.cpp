// The history of record changes: undo and redo of each action, the saved state, memory.
#include "app/record_undo.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace {

using Contents = std::map<std::string, VXDateStore>;

Contents Of(const DateStoreMap& store) {
    Contents contents;
    for (const auto& entry : store) {
        contents.emplace(entry.name.Bytes(), entry.record);
    }
    return contents;
}

const VXDateStore kEva(1970, 3, 1, 12, 0, 0, 0, -1);
const VXDateStore kEvaLater(1971, 4, 2, 13, 5, 1, 0, -2);
const VXDateStore kMax(1980, 7, 9, 8, 30, 0, 1, 0);

} // namespace

class RecordHistoryTest : public ::testing::Test {
  protected:
    // The front-end's part: the change to the store, then the step.
    void Add(const std::string& name, const VXDateStore& record) {
        std::optional<VXDateStore> replaced;
        if (VXDateStore old; store.Lookup(name, old)) {
            replaced = old;
            store.RemoveKey(name);
        }
        store.SetAt(name, record);
        history.Added(name, record, replaced);
    }
    void Delete(const std::string& name) {
        VXDateStore old;
        ASSERT_TRUE(store.Lookup(name, old));
        store.RemoveKey(name);
        history.Deleted(name, old);
    }

    DateStoreMap store;
    RecordHistory history;
};

TEST_F(RecordHistoryTest, EachActionUndoneAndRedoneWithWhatTheListMustDo) {
    using L = RecordRestore::List;
    Add("Eva", kEva);
    Add("Max", kMax);
    Add("Eva", kEvaLater); // a replacement
    Delete("Max");
    const Contents before = Of(store);
    history.DeleteAll(store);
    EXPECT_TRUE(store.IsEmpty());
    EXPECT_EQ(UndoCommandText(history), "&Annuler Tout supprimer");
    EXPECT_EQ(RedoCommandText(history), "&Rétablir");

    struct Expect {
        RecordAction action;
        L list;
        std::string name;
        Contents after;
    };
    const Expect undos[] = {
        {RecordAction::DeleteAll, L::Refilled, "", before},
        {RecordAction::Delete, L::NameAdded, "Max", {{"Eva", kEvaLater}, {"Max", kMax}}},
        {RecordAction::Add, L::NameKept, "Eva", {{"Eva", kEva}, {"Max", kMax}}},
        {RecordAction::Add, L::NameRemoved, "Max", {{"Eva", kEva}}},
        {RecordAction::Add, L::NameRemoved, "Eva", {}},
    };
    for (const Expect& e : undos) {
        ASSERT_TRUE(history.CanUndo());
        EXPECT_EQ(history.UndoAction(), e.action);
        const RecordRestore done = history.Undo(store);
        EXPECT_EQ(done.list, e.list) << e.name;
        EXPECT_EQ(done.name.Bytes(), e.name);
        EXPECT_EQ(Of(store), e.after) << e.name;
    }
    EXPECT_FALSE(history.CanUndo());
    EXPECT_TRUE(history.AtSavedState());
    EXPECT_EQ(UndoCommandText(history), "&Annuler");
    EXPECT_EQ(RedoCommandText(history), "&Rétablir Ajouter");

    // Redo walks the same steps forward again, to the empty store.
    const L redone[] = {L::NameAdded, L::NameAdded, L::NameKept, L::NameRemoved, L::Refilled};
    for (const L list : redone) {
        ASSERT_TRUE(history.CanRedo());
        EXPECT_EQ(history.Redo(store).list, list);
    }
    EXPECT_FALSE(history.CanRedo());
    EXPECT_TRUE(store.IsEmpty());
    history.Undo(store);
    EXPECT_EQ(Of(store), before);
}

TEST_F(RecordHistoryTest, DeleteAllKeepsTheStoreItselfInItsOrder) {
    for (int i = 0; i < 1000; ++i) {
        store.SetAt("n" + std::to_string(i), kEva);
    }
    std::vector<std::string> order;
    for (const auto& entry : store) {
        order.emplace_back(entry.name.Bytes());
    }
    const size_t blocks = store.GetBlockCount();
    history.DeleteAll(store);
    EXPECT_TRUE(store.IsEmpty());
    EXPECT_FALSE(store.HasHashTable()); // nothing left behind in the emptied store
    history.Undo(store);
    // The same memory came back, not a copy made entry by entry: the same blocks, the same order.
    EXPECT_EQ(store.GetBlockCount(), blocks);
    std::vector<std::string> restored;
    for (const auto& entry : store) {
        restored.emplace_back(entry.name.Bytes());
    }
    EXPECT_EQ(restored, order);
}

TEST_F(RecordHistoryTest, SavedStateFollowsUndoRedoAndIsLostToANewBranch) {
    Add("Eva", kEva);
    history.MarkSaved();
    EXPECT_TRUE(history.AtSavedState());
    Add("Max", kMax);
    EXPECT_FALSE(history.AtSavedState());
    history.Undo(store);
    EXPECT_TRUE(history.AtSavedState());
    history.Undo(store);
    EXPECT_FALSE(history.AtSavedState()); // before the save
    history.Redo(store);
    EXPECT_TRUE(history.AtSavedState());
    history.Redo(store);
    EXPECT_FALSE(history.AtSavedState());

    // Undone past the save, then a new step: no way back to the saved state.
    history.Undo(store);
    history.Undo(store);
    Add("Ida", kMax);
    EXPECT_FALSE(history.CanRedo());
    history.Undo(store);
    EXPECT_FALSE(history.AtSavedState());

    history.Clear();
    EXPECT_TRUE(history.AtSavedState());
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
}

TEST(RecordActions, NamesAndTheDeleteAllQuestion) {
    EXPECT_EQ(UserText(RecordActionText(RecordAction::Add)), std::string("Ajouter"));
    EXPECT_EQ(UserText(RecordActionText(RecordAction::Delete)), std::string("Supprimer"));
    EXPECT_EQ(UserText(RecordActionText(RecordAction::DeleteAll)), std::string("Tout supprimer"));
    EXPECT_EQ(DeleteAllQuestion(0), "Sollen alle Daten gelöscht werden?");
    EXPECT_EQ(DeleteAllQuestion(1), "Soll der einzige Datensatz gelöscht werden?");
    EXPECT_EQ(DeleteAllQuestion(999), "Sollen alle 999 Datensätze gelöscht werden?");
    EXPECT_EQ(DeleteAllQuestion(100001), "Sollen alle 100.001 Datensätze gelöscht werden?");
    EXPECT_EQ(DeleteAllQuestion(1000000), "Sollen alle 1.000.000 Datensätze gelöscht werden?");
}
