// The embedded-data view against the simulated radio: read on open, the
// frame closing when that fails, and the write behind the password.
#include <gtest/gtest.h>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "adapters/settings.h"
#include "core/container.h"
#include "factory/view_embedded.h"
#include "link/embedded_link.h"
#include "toolkit/control_id.h"
#include "transfer_rig.h"
#include "workspace/child_frame.h"
#include "workspace/main_frame.h"

namespace vex::gui {
namespace {

using test::TransferRig;
using V = CViewEmbedded;

RadioDataContainer& container() { return RadioDataContainer::instance(); }

constexpr std::size_t kRadioMessage1 = kEmbeddedRadioAddress + 16;

void putText(Image& memory, std::size_t at, const std::string& text, std::size_t field) {
  std::fill_n(memory.begin() + static_cast<std::ptrdiff_t>(at), field, 0);
  std::copy(text.begin(), text.end(), memory.begin() + static_cast<std::ptrdiff_t>(at));
}

QLineEdit* message(CViewEmbedded* view, int n) { return findControlAs<QLineEdit>(view->form(), V::kMessages[n]); }

struct EmbeddedRig : TransferRig {
  explicit EmbeddedRig(sim::SimOptions options = {}) : TransferRig(std::move(options), "400-470") {
    Image memory = radio.Memory();
    putText(memory, kEmbeddedRadioAddress, "1234", 8);
    putText(memory, kRadioMessage1, "Hello", 32);
    putText(memory, kRadioMessage1 + 32, "Call 5", 32);
    radio.SetMemory(memory);
  }
  // Opens the view and waits for its read from the radio.
  CViewEmbedded* open() {
    QPointer<CChildFrame> child = frame->openView(32886);
    // The read runs in a timer event; the wait checks between events, so the
    // read has ended once its message is there.
    EXPECT_TRUE(QTest::qWaitFor([this] { return !shown.empty(); }, 60'000));
    test::settle();
    return child ? qobject_cast<CViewEmbedded*>(child->view()) : nullptr;
  }
};

TEST(CViewEmbedded, OpeningReadsTheRadiosMessagesAndIdentity) {
  EmbeddedRig rig;
  CViewEmbedded* view = rig.open();
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(rig.messageIds(), std::vector<int>{1136});
  EXPECT_EQ(message(view, 0)->text(), "Hello");
  EXPECT_EQ(message(view, 1)->text(), "Call 5");
  EXPECT_EQ(container().embedded().text(0), "1234");
  EXPECT_EQ(settings::freqRange(), "400-470");
}

TEST(CViewEmbedded, AFailedReadClosesTheFrame) {
  EmbeddedRig rig;
  rig.pty.Stop();
  rig.open();
  // The cable's port is gone: no port opens, so that is what is said.
  EXPECT_EQ(rig.messageIds(), std::vector<int>{1315});
  EXPECT_TRUE(QTest::qWaitFor([&rig] { return rig.frame->frameOf(32886) == nullptr; }, 60'000));
}

TEST(CViewEmbedded, WriteAsksForTheEmbeddedPasswordAndSendsTheMessages) {
  EmbeddedRig rig;
  CViewEmbedded* view = rig.open();
  ASSERT_NE(view, nullptr);
  std::vector<std::string> answers{"1", "1234"};
  int asked = 0;
  const auto realPrompt = V::passwordPrompt();
  V::passwordPrompt() = [&](QWidget*, int) -> std::optional<std::string> {
    if (asked >= static_cast<int>(answers.size())) return std::nullopt;
    return answers[static_cast<std::size_t>(asked++)];
  };
  message(view, 2)->setText("Third");
  findControlAs<QPushButton>(view->form(), V::kWrite)->click();
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(rig.messageIds(), (std::vector<int>{1136, 1176, 1137}));
  const Image memory = rig.radio.Memory();
  EXPECT_EQ(std::string(memory.begin() + kRadioMessage1 + 64, memory.begin() + kRadioMessage1 + 69), "Third");
  EXPECT_EQ(memory[kRadioMessage1 + 69], ' ');
  EXPECT_EQ(std::string(memory.begin() + kRadioMessage1, memory.begin() + kRadioMessage1 + 6),
            std::string("Hello\0", 6));  // untouched messages keep their bytes

  // Three wrong answers write nothing.
  answers = {"7", "8", "9"};
  asked = 0;
  rig.shown.clear();
  message(view, 2)->setText("Fourth");
  findControlAs<QPushButton>(view->form(), V::kWrite)->click();
  EXPECT_EQ(rig.messageIds(), std::vector<int>(3, 1176));
  EXPECT_EQ(rig.radio.Memory()[kRadioMessage1 + 64], 'T');
  V::passwordPrompt() = realPrompt;
}

}  // namespace
}  // namespace vex::gui
