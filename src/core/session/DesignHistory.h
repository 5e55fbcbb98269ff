#pragma once
// Undo and Redo of the design's edits. Each step keeps the design, the field texts
// and the materials as they were before and after it, so that taking it back or
// doing it again gives them back exactly (a saved file byte for byte).
#include "model/CarDesign.h"
#include "model/MaterialLibrary.h"
#include "session/SessionNotifier.h"

#include <QString>
#include <QUndoStack>
#include <array>
#include <functional>
#include <memory>

namespace brisko {

// Texts shown in the dimension and preference fields. While the student types they
// may differ from the accepted texts held in the design.
struct FieldTexts {
    std::array<QString, 8> dimensions; // by action code 14..21
    QString CaseRatio;
    QString FrictionForce;
    QString ElementStepSize;

    QString& dimension(int code) { return dimensions.at(code - 14); }
    const QString& dimension(int code) const { return dimensions.at(code - 14); }
};

// The typed fields: the dimensions, the case ratio and the friction force.
inline constexpr std::array<int, 10> kTypedCodes{14, 15, 16, 17, 18, 19, 20, 21, 25, 28};

// What one step changes.
struct DesignSnapshot {
    CarDesign design;
    FieldTexts fields;
    MaterialLibrary materials; // without its change listener

    // The texts of a typed field (14..21, 25 case ratio, 28 friction force): as
    // accepted by the design and as shown.
    QString& accepted(int code);
    QString& shown(int code);
    // The design as a saved file holds it, with the accepted texts, then with the
    // shown ones: equal bytes, equal snapshots.
    QByteArray bytes() const;
};

// The aspects in which two snapshots differ; the materials of the library count
// by kind.
DesignAspects aspectsBetween(const DesignSnapshot& a, const DesignSnapshot& b);
bool libraryKindDiffers(const DesignSnapshot& a, const DesignSnapshot& b, MaterialKind kind);

inline constexpr int kUndoStepsKept = 128;

// The undo stack of the design now shown. The session restores a snapshot through
// `restore`; the stack only keeps them in order.
class DesignHistory {
public:
    using Restore = std::function<void(const DesignSnapshot&)>;
    explicit DesignHistory(Restore restore);

    const QUndoStack& stack() const { return m_stack; }
    // A finished step; nothing is kept when `after` equals `before`.
    bool push(const QString& name, std::shared_ptr<const DesignSnapshot> before,
              std::shared_ptr<const DesignSnapshot> after);
    void undo() { m_stack.undo(); }
    void redo() { m_stack.redo(); }
    void clear() { m_stack.clear(); }

private:
    QUndoStack m_stack;
    Restore m_restore;
};

} // namespace brisko
