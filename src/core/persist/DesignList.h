#pragma once
// The designs in play during a run: the five presets, opened files and new designs.
#include <QString>
#include <QVector>

namespace brisko {

struct DesignListEntry {
    QString Name;
    QString ListText;  // the item's text in the DesignList box; usually the Name
    QString FilePath;  // empty for presets and never-saved designs
    bool Saved = false;
    bool Simulated = false;
    quint64 Id = 0;    // given by the list: names the entry for as long as it lives
};

class DesignList {
public:
    DesignList(); // the five presets, all saved

    int count() const { return m_entries.size(); }
    bool isPreset(int position) const { return position >= 0 && position < 5; }
    const DesignListEntry& entry(int position) const { return m_entries.at(position); }
    DesignListEntry& entry(int position) { return m_entries[position]; }
    const QVector<DesignListEntry>& entries() const { return m_entries; }

    // Appends an entry under a new identity; false (and nothing added) once the
    // list holds 257 entries.
    bool append(const DesignListEntry& e);
    void removeAt(int position);
    void markChanged(int position); // clears Saved and Simulated

private:
    QVector<DesignListEntry> m_entries;
    quint64 m_lastId = 0;
};

} // namespace brisko
