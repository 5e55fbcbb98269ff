#pragma once
// The material records of the four kinds, each kind an ordered list whose entry 0
// is the built-in default.
#include "model/CarDesign.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <functional>

namespace brisko {

enum class MaterialKind { Board, Axle, Spring, Tread };

inline constexpr int kMaxMaterialsPerKind = 101; // positions 0..100
inline constexpr int kTorqueCurveEntries = 49;

struct BoardMaterial {
    QString Name, Thickness, Density;
    bool operator==(const BoardMaterial&) const = default;
};
struct AxleMaterial {
    QString Name, Density;
    bool operator==(const AxleMaterial&) const = default;
};
struct SpringMaterial {
    QString Name, Thickness, Density, SampleWidth;
    std::array<QString, kTorqueCurveEntries> TorqueCurve;
    bool operator==(const SpringMaterial&) const = default;
};
struct TreadMaterial {
    QString Name, StaticFriction;
    bool operator==(const TreadMaterial&) const = default;
};

BoardMaterial defaultBoard();   // "Default Foamcore", "0.50", "0.0023"
AxleMaterial defaultAxle();     // "Default Oak", "0.027"
SpringMaterial defaultSpring(); // "Default plastic", "0.0125", "0.045", "1.5", 0.57 then "0"
TreadMaterial defaultTread();   // "Ideal Rubber", "1"

// The kind of each of the eight selection slots.
MaterialKind kindOfSlot(int slot);

class MaterialLibrary {
public:
    MaterialLibrary();

    int count(MaterialKind kind) const;
    bool isFull(MaterialKind kind) const { return count(kind) >= kMaxMaterialsPerKind; }

    // Appending fails on a full kind; `error` then holds a message for the user.
    bool addBoard(const BoardMaterial& m, QString* error = nullptr);
    bool addAxle(const AxleMaterial& m, QString* error = nullptr);
    bool addSpring(const SpringMaterial& m, QString* error = nullptr);
    bool addTread(const TreadMaterial& m, QString* error = nullptr);

    // Positions below 1 or past the end are ignored.
    void replaceBoard(int pos, const BoardMaterial& m);
    void replaceAxle(int pos, const AxleMaterial& m);
    void replaceSpring(int pos, const SpringMaterial& m);
    void replaceTread(int pos, const TreadMaterial& m);
    bool remove(MaterialKind kind, int pos);
    void clearDefined(); // back to the four defaults

    const BoardMaterial& board(int pos) const;   // out-of-range gives the default
    const AxleMaterial& axle(int pos) const;
    const SpringMaterial& spring(int pos) const;
    const TreadMaterial& tread(int pos) const;
    const QVector<BoardMaterial>& boards() const { return m_boards; }
    const QVector<AxleMaterial>& axles() const { return m_axles; }
    const QVector<SpringMaterial>& springs() const { return m_springs; }
    const QVector<TreadMaterial>& treads() const { return m_treads; }

    // Record name at a position of a kind.
    QString name(MaterialKind kind, int pos) const;
    // Texts shown in the lists of a kind, in library order ("Ideal rubber" for the
    // default tread although its record is named "Ideal Rubber").
    QStringList listTexts(MaterialKind kind) const;

    // Called after every change of a kind, so that every list showing it follows.
    std::function<void(MaterialKind)> onChanged;

    bool operator==(const MaterialLibrary& o) const
    {
        return m_boards == o.m_boards && m_axles == o.m_axles && m_springs == o.m_springs && m_treads == o.m_treads;
    }

private:
    bool refuseWhenFull(MaterialKind kind, QString* error) const;
    void changed(MaterialKind kind);

    QVector<BoardMaterial> m_boards;
    QVector<AxleMaterial> m_axles;
    QVector<SpringMaterial> m_springs;
    QVector<TreadMaterial> m_treads;
};

// Keeps a design's selections valid after the record at `pos` of `kind` was deleted:
// a selection of the deleted record falls back to the default (0); selections of
// later records move down with them.
void adjustSelectionsAfterDelete(MaterialSelection& selection, MaterialKind kind, int pos);

} // namespace brisko
