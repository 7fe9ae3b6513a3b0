// The program's run around its main window, on the headless platform: the
// requests from outside (a signal, the end of the desktop session, a later
// start, `tagrota --rotate`, the event loop ending) before, during and after
// the start-up, and the one closing they lead to.

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <filesystem>
#include <memory>
#include <ostream>
#include <vector>

#include "TestSupport.h"
#include "engine/Settings.h"
#include "mainwindow/ProgramRun.h"
#include "platform/SessionEnd.h"

namespace tagrota {
namespace {

namespace fs = std::filesystem;

struct Session final : ISessionEnd {
    explicit Session(bool allows) : allows(allows) {}
    bool AllowsInteraction() override { return allows; }
    void Release() override { ++released; }
    void Cancel() override { ++cancelled; }
    bool allows;
    int released = 0, cancelled = 0;
};

// The first four end the program.
enum class Request {
    Terminate,
    SessionEnd,
    SessionEndAsking,
    LoopEnded,
    Activate,
    Rotate,
    Minimise
};
bool Ends(Request r) {
    return r <= Request::LoopEnded;
}

// How a failing sequence is printed.
void showValue(Request r, std::ostream& os) {
    constexpr const char* kNames[] = {"Terminate", "SessionEnd", "SessionEndAsking", "LoopEnded",
                                      "Activate",  "Rotate",     "Minimise"};
    os << kNames[static_cast<int>(r)];
}

// The program set to start minimised, with a configured collection that holds
// no entries: the start-up shows its fall-back message, which gives requests a
// moment during the start-up to come in.
struct Rig {
    Rig() {
        test::WriteBytes(rig.dir.File("none.txt"), "no separator\r\n");
        rig.Store(SettingKey::RandomFile, rig.dir.File("none.txt"));
        rig.Store(SettingKey::StartMin, "True");
        rig.Create();
        run = std::make_unique<ProgramRun>(rig.Form());
        run->onClosed = [this] { ++closings; };
    }
    void Send(Request r) {
        Session session(r == Request::SessionEndAsking);
        if (r == Request::Terminate) run->Terminate();
        if (r == Request::SessionEnd || r == Request::SessionEndAsking) run->SessionEnds(session);
        if (r == Request::LoopEnded) run->LoopEnded();
        if (r == Request::Activate) run->Activate();
        if (r == Request::Rotate) run->Rotate();
        if (r == Request::Minimise && run->Running()) rig.Window().SetState(WindowState::Minimized);
        // With nothing unsaved there is nothing to ask, and nothing to call off.
        RC_ASSERT(session.cancelled == 0);
    }
    bool SettingsWritten() { return rig.Stored(SettingKey::SigDuration) != "(absent)"; }

    test::MainRig rig;
    std::unique_ptr<ProgramRun> run;
    int closings = 0;
};

const auto kRequests = rc::gen::container<std::vector<Request>>(
    rc::gen::element(Request::Terminate, Request::SessionEnd, Request::SessionEndAsking,
                     Request::LoopEnded, Request::Activate, Request::Rotate, Request::Minimise));

// Whatever comes during the start-up waits until it is done: an end closes
// right after it, an activation brings the window back after it, and a rotation
// adds nothing to the start-up's own. After the start-up each request acts at
// once, and after the closing none does anything.
RC_GTEST_PROP(ProgramRunTest, RequestsWaitForTheStartUpAndEndInOneClosing, ()) {
    const std::vector<Request> during = *kRequests;
    const std::vector<Request> after = *kRequests;
    // What the start-up writes by itself.
    static const int startUpWrites = [] {
        Rig plain;
        plain.run->Start();
        return plain.rig.files.writes;
    }();
    Rig r;
    bool closedDuringStartUp = false;
    r.rig.messages.whileOpen = [&r, &closedDuringStartUp, &during] {
        for (Request q : during) r.Send(q);
        closedDuringStartUp = r.run->Closed();
    };
    const bool runs = r.run->Start();
    RC_ASSERT(r.rig.messages.shown.size() == 1u);
    RC_ASSERT(!closedDuringStartUp);

    const bool ended = std::any_of(during.begin(), during.end(), Ends);
    const bool activated =
        std::find(during.begin(), during.end(), Request::Activate) != during.end();
    RC_ASSERT(runs == !ended);
    RC_ASSERT(r.closings == (ended ? 1 : 0));
    RC_ASSERT(r.SettingsWritten() == ended);
    RC_ASSERT(r.rig.files.writes == startUpWrites);
    if (!ended)
        RC_ASSERT(r.rig.Window().State() ==
                  (activated ? WindowState::Normal : WindowState::Minimized));

    for (Request q : after) {
        const bool wasRunning = r.run->Running();
        const int writes = r.rig.files.writes;
        r.Send(q);
        RC_ASSERT(r.closings <= 1);
        RC_ASSERT(r.run->Closed() == (r.closings == 1));
        RC_ASSERT(r.SettingsWritten() == r.run->Closed());
        if (!wasRunning) {
            RC_ASSERT(r.rig.files.writes == writes);
            continue;
        }
        RC_ASSERT(r.run->Closed() == Ends(q));
        RC_ASSERT(r.rig.files.writes == writes + (q == Request::Rotate ? 1 : 0));
        if (q == Request::Activate) {
            RC_ASSERT(r.rig.Window().State() == WindowState::Normal);
            RC_ASSERT(r.rig.Window().Visible());
        }
    }
}

// Unsaved edits at the end of the session: where the session manager allows
// questions, Cancel keeps the program and calls the end off; where it does
// not, recovery files keep the edits and the program closes.
TEST(ProgramRunTest, SessionEndAsksWhereItMayElseKeepsRecoveryFilesAndCloses) {
    Rig r;
    ASSERT_TRUE(r.run->Start());
    r.rig.Editor("txtFixedSig").Type("unsaved");

    Session asking(true);
    r.rig.messages.Answer(2);  // Cancel
    r.run->SessionEnds(asking);
    EXPECT_EQ(r.rig.messages.shown.size(), 2u) << "the fall-back, then the question";
    EXPECT_EQ(asking.released, 1);
    EXPECT_EQ(asking.cancelled, 1);
    EXPECT_TRUE(r.run->Running());

    Session silent(false);
    r.run->SessionEnds(silent);
    EXPECT_EQ(r.rig.messages.shown.size(), 2u) << "nobody asked";
    EXPECT_EQ(silent.cancelled, 0);
    EXPECT_EQ(r.closings, 1);
    EXPECT_TRUE(r.SettingsWritten());
    int kept = 0;
    for (const auto& e : fs::directory_iterator(r.rig.dir.Path()))
        if (e.path().filename().string().starts_with("fixed.txt.recovered-")) {
            ++kept;
            EXPECT_EQ(test::ReadBytes(e.path().string()), "unsaved");
            EXPECT_EQ(e.status().permissions(), fs::perms::owner_read | fs::perms::owner_write)
                << "the user's own text, for the user only";
        }
    EXPECT_EQ(kept, 1);
    EXPECT_FALSE(fs::exists(r.rig.dir.File("fixed.txt"))) << "the original as it was";
}

// The display goes: nothing can wait, not even for the start-up, and nobody
// can be asked.
TEST(ProgramRunTest, TheDisplayLostClosesAtOnceEvenDuringTheStartUp) {
    Rig r;
    r.rig.messages.whileOpen = [&r] {
        r.run->DisplayLost();
        EXPECT_EQ(r.closings, 1);
        EXPECT_TRUE(r.SettingsWritten());
    };
    EXPECT_FALSE(r.run->Start());
    EXPECT_EQ(r.closings, 1);
}

}  // namespace
}  // namespace tagrota
