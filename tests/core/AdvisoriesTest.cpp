#include "analysis/Advisories.h"

#include <gtest/gtest.h>

using namespace brisko;

namespace {

ContactFacts factsFromBits(int bits)
{
    ContactFacts f;
    bool* facts[] = {&f.A, &f.B, &f.C, &f.D, &f.E, &f.F, &f.G, &f.H, &f.I};
    for (int k = 0; k < 9; ++k)
        *facts[k] = (bits >> k) & 1;
    return f;
}

AdvisoryDisplay check(const ContactFacts& f, DriveType drive, float caseOuterDia = 4.8f, int state = 4,
                      bool skidded = false)
{
    return checkAdvisories({f, drive, caseOuterDia, state, skidded});
}

// A body that holds together: every part touches every other.
ContactFacts connected()
{
    ContactFacts f;
    f.A = f.B = f.C = f.G = f.H = false;
    return f;
}

} // namespace

TEST(AdvisoryPasses, SingleDriveTruthTable)
{
    for (DriveType drive : {DriveType::RWD, DriveType::FWD}) {
        for (int bits = 0; bits < 512; ++bits) {
            const ContactFacts f = factsFromBits(bits);
            const AdvisoryDisplay d = check(f, drive);
            const int missingContacts = int(f.A) + int(f.B) + int(f.C);
            SCOPED_TRACE(bits);
            EXPECT_EQ(d.Floating.Shown, missingContacts >= 2);
            EXPECT_EQ(d.CaseFree.Shown, f.A && f.B);
            EXPECT_EQ(d.AxleFree.Shown, f.G && f.H);
            EXPECT_FALSE(d.CoreInterfere.Shown);
            EXPECT_EQ(d.CaseFree.Text, "Spring case is not connected.");
            EXPECT_EQ(d.Flags.SpringCaseFree, d.CaseFree.Shown);
            EXPECT_EQ(d.Flags.Floating, d.Floating.Shown);
            EXPECT_EQ(d.Flags.FrontAxleFree, d.AxleFree.Shown);
            EXPECT_EQ(d.WindowVisible, d.Floating.Shown || d.CaseFree.Shown || d.AxleFree.Shown);
        }
    }
}

TEST(AdvisoryPasses, AllWheelDriveTruthTable)
{
    for (int bits = 0; bits < 512; ++bits) {
        const ContactFacts f = factsFromBits(bits);
        const auto [A, B, C, D, E, F, G, H, I] = f;
        const AdvisoryDisplay d = check(f, DriveType::AWD);
        const bool caseFree = D && (E || B) && (F || A) && (E || A || C) && (F || B || C);
        const bool floating =
            ((A && F) || (B && E)) && ((!A && C) || (A && (F || C))) && ((!B && C) || (B && (E || C)));
        SCOPED_TRACE(bits);
        EXPECT_EQ(d.CaseFree.Shown, caseFree);
        EXPECT_EQ(d.Floating.Shown, floating);
        EXPECT_EQ(d.CoreInterfere.Shown, !I);
        EXPECT_FALSE(d.AxleFree.Shown); // the front axle carries the second spring
        EXPECT_EQ(d.CaseFree.Text, "Spring case not connected.");
        EXPECT_EQ(d.Flags.CasesInterfere, !I);
        EXPECT_EQ(d.WindowVisible, caseFree || floating || !I);
    }
}

TEST(AdvisoryPasses, OverlappingBodyWithCaseInOuterLayersIsConnected)
{
    for (bool caseMissesInner : {false, true}) {
        ContactFacts f = connected();
        f.B = caseMissesInner;
        const AdvisoryDisplay d = check(f, DriveType::RWD);
        EXPECT_FALSE(d.Floating.Shown);
        EXPECT_FALSE(d.CaseFree.Shown);
    }
}

TEST(AdvisoryPaperEdge, OnlyBeyondThePaperHeight)
{
    EXPECT_FALSE(check(connected(), DriveType::RWD, 7.5f).CarTooBig.Shown);
    const AdvisoryDisplay over = check(connected(), DriveType::RWD, 7.51f);
    EXPECT_TRUE(over.CarTooBig.Shown);
    EXPECT_EQ(over.CarTooBig.Text, "Car overlaps paper edge.");
    EXPECT_TRUE(over.Flags.PaperEdge);
    EXPECT_TRUE(over.WindowVisible);
}

TEST(AdvisorySkid, OnlyFromTheDynamicStateOn)
{
    for (int state : {1, 3, 4}) {
        const AdvisoryDisplay d = check(connected(), DriveType::RWD, 4.8f, state, true);
        EXPECT_FALSE(d.Skid.Shown);
        EXPECT_FALSE(d.Flags.Skid);
        EXPECT_FALSE(d.WindowVisible);
    }
    const AdvisoryDisplay dynamic = check(connected(), DriveType::RWD, 4.8f, 5, true);
    EXPECT_TRUE(dynamic.Skid.Shown);
    EXPECT_EQ(dynamic.Skid.Text, "Skid advisory.");
    EXPECT_TRUE(dynamic.Flags.Skid);
    EXPECT_TRUE(dynamic.WindowVisible);
    EXPECT_FALSE(check(connected(), DriveType::RWD, 4.8f, 5, false).Skid.Shown);
}

TEST(AdvisoryWindow, HiddenWhenAllIsClear)
{
    const AdvisoryDisplay d = check(connected(), DriveType::RWD, 4.8f, 5, false);
    EXPECT_FALSE(d.WindowVisible);
    EXPECT_EQ(d.Flags, AdvisoryFlags{});
}
