// Ownership, lookup by name and removal notifications of components.
#include "ui/Component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string>* g_destroyed = nullptr;

class Probe : public ui::Component {
 public:
  explicit Probe(std::string n) { SetName(std::move(n)); }
  ~Probe() override {
    if (g_destroyed) g_destroyed->push_back(Name());
  }
  Component* watched = nullptr;
  void Watch(Component* c) {
    watched = c;
    FreeNotification(c);
  }

 protected:
  void Notification(Component* c, Operation op) override {
    if (op == Operation::kRemove && c == watched) watched = nullptr;
  }
};

TEST(ComponentTest, OwnerFreesWhatItOwnsNewestFirst) {
  std::vector<std::string> destroyed;
  g_destroyed = &destroyed;
  {
    Probe owner("owner");
    owner.Make<Probe>("a");
    owner.Make<Probe>("b")->Make<Probe>("b1");
    EXPECT_EQ(owner.FindComponent("b")->Owner(), &owner);
    EXPECT_EQ(owner.FindComponent("b1"), nullptr);  // only direct components
    EXPECT_EQ(owner.FindComponent(""), nullptr);
  }
  g_destroyed = nullptr;
  // Each destructor body runs before the components it owns go.
  EXPECT_EQ(destroyed, (std::vector<std::string>{"owner", "b", "b1", "a"}));
}

TEST(ComponentTest, WatcherForgetsADestroyedComponent) {
  Probe owner("owner");
  auto* target = owner.Make<Probe>("target");
  Probe watcher("watcher");
  watcher.Watch(target);
  owner.DestroyComponents();
  EXPECT_EQ(watcher.watched, nullptr);
  EXPECT_TRUE(owner.Components().empty());
}

}  // namespace
