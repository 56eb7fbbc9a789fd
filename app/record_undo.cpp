#include "app/record_undo.h"

#include <utility>

struct RecordHistory::Step {
    RecordAction action;
    NameKey name;
    VXDateStore record{};                  // stored by Add, removed by Delete
    std::optional<VXDateStore> replaced;   // what Add replaced
    std::unique_ptr<DateStoreMap> removed; // what DeleteAll took out, while it is done
};

TextId RecordActionText(RecordAction action) {
    switch (action) {
    case RecordAction::Add:
        return TextId::ActionAdd;
    case RecordAction::Delete:
        return TextId::ActionDelete;
    case RecordAction::DeleteAll:
        return TextId::ActionDeleteAll;
    }
    return TextId::ActionAdd;
}

std::string DeleteAllQuestion(int count) {
    if (count == 0) {
        return UserText(TextId::DeleteAllQuestion);
    }
    if (count == 1) {
        return UserText(TextId::DeleteAllOne);
    }
    // Grouped as the German question writes numbers: 100.001.
    const std::string digits = std::to_string(count);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped.push_back('.');
        }
        grouped.push_back(digits[i]);
    }
    return UserText(TextId::DeleteAllCount, {grouped});
}

RecordHistory::RecordHistory() = default;
RecordHistory::~RecordHistory() = default;

void RecordHistory::Push(Step step) {
    m_steps.resize(m_nDone);
    if (m_saved && *m_saved > m_nDone) {
        m_saved.reset();
    }
    m_steps.push_back(std::move(step));
    ++m_nDone;
}

void RecordHistory::Added(const NameKey& name, const VXDateStore& record,
                          const std::optional<VXDateStore>& replaced) {
    Push(Step{RecordAction::Add, name, record, replaced, nullptr});
}

void RecordHistory::Deleted(const NameKey& name, const VXDateStore& record) {
    Push(Step{RecordAction::Delete, name, record, std::nullopt, nullptr});
}

void RecordHistory::DeleteAll(DateStoreMap& store) {
    auto removed = std::make_unique<DateStoreMap>(std::move(store));
    store = DateStoreMap();
    Push(Step{RecordAction::DeleteAll, {}, {}, std::nullopt, std::move(removed)});
}

bool RecordHistory::CanRedo() const {
    return m_nDone < m_steps.size();
}

RecordAction RecordHistory::UndoAction() const {
    return m_steps[m_nDone - 1].action;
}

RecordAction RecordHistory::RedoAction() const {
    return m_steps[m_nDone].action;
}

namespace {

// Stores the record under name as "Ajouter" does: a replacement goes to the head of its chain.
void Store(DateStoreMap& store, const NameKey& name, const VXDateStore& record) {
    store.RemoveKey(name);
    store.SetAt(name, record);
}

} // namespace

RecordRestore RecordHistory::Undo(DateStoreMap& store) {
    Step& step = m_steps[--m_nDone];
    switch (step.action) {
    case RecordAction::Add:
        if (step.replaced) {
            Store(store, step.name, *step.replaced);
            return {RecordRestore::List::NameKept, step.name};
        }
        store.RemoveKey(step.name);
        return {RecordRestore::List::NameRemoved, step.name};
    case RecordAction::Delete:
        store.SetAt(step.name, step.record);
        return {RecordRestore::List::NameAdded, step.name};
    case RecordAction::DeleteAll:
        // The store is empty here (as "Tout supprimer" left it): the records go back as they
        // were, in their order, and the history keeps the empty store in their place.
        std::swap(store, *step.removed);
        return {RecordRestore::List::Refilled, {}};
    }
    return {};
}

RecordRestore RecordHistory::Redo(DateStoreMap& store) {
    Step& step = m_steps[m_nDone++];
    switch (step.action) {
    case RecordAction::Add:
        Store(store, step.name, step.record);
        return {step.replaced ? RecordRestore::List::NameKept : RecordRestore::List::NameAdded,
                step.name};
    case RecordAction::Delete:
        store.RemoveKey(step.name);
        return {RecordRestore::List::NameRemoved, step.name};
    case RecordAction::DeleteAll:
        std::swap(store, *step.removed);
        return {RecordRestore::List::Refilled, {}};
    }
    return {};
}

void RecordHistory::Clear() {
    m_steps.clear();
    m_nDone = 0;
    m_saved = 0;
}

void RecordHistory::MarkSaved() {
    m_saved = m_nDone;
}

std::string UndoCommandText(const RecordHistory& history) {
    if (!history.CanUndo()) {
        return UserText(TextId::UndoNothing);
    }
    return UserText(TextId::UndoCommand, {UserText(RecordActionText(history.UndoAction()))});
}

std::string RedoCommandText(const RecordHistory& history) {
    if (!history.CanRedo()) {
        return UserText(TextId::RedoNothing);
    }
    return UserText(TextId::RedoCommand, {UserText(RecordActionText(history.RedoAction()))});
}
