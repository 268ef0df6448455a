#include "app/catalogue.h"

#include <string>
#include <utility>
#include <vector>

#include "drill/drill.h"
#include "platform/application.h"
#include "topics/counting/junretu.h"
#include "topics/counting/jyufuku.h"
#include "topics/counting/kazu1.h"
#include "topics/counting/kazu2.h"
#include "topics/counting/kumiawas.h"
#include "topics/counting/smjyun.h"
#include "topics/distribution/bindist.h"
#include "topics/distribution/nordist.h"
#include "topics/probability/kakurit2.h"
#include "topics/probability/kakuritu.h"
#include "topics/sets/induct.h"
#include "topics/sets/set.h"
#include "topics/sets/testify.h"
#include "topics/statistics/arrange.h"
#include "topics/statistics/correlate.h"
#include "topics/statistics/graph.h"
#include "topics/statistics/toukei.h"

namespace vl {

namespace {
template <class T>
std::unique_ptr<TopicDialog> Make() {
  return std::make_unique<T>();
}
// The classes that serve two topics keep which one in their mode member.
template <class T>
void SetMode(TopicDialog& d, int16_t mode) {
  static_cast<T&>(d).m_nMode = mode;
}

const TopicEntry kTopics[] = {
    {2769, 101, 406, -1, &Make<CKazu1>, nullptr},
    {2770, 102, 408, -1, &Make<CKazu2>, nullptr},
    {2771, 103, 412, -1, &Make<CJunretu>, nullptr},
    {2772, 104, 414, -1, &Make<CKumiawas>, nullptr},
    {2773, 105, 422, -1, &Make<CKakuritu>, nullptr},
    {2774, 106, 426, -1, &Make<CToukei>, nullptr},
    {2775, 107, 416, -1, &Make<CJyufuku>, nullptr},
    {2776, 112, 400, 1, &Make<CTestify>, &SetMode<CTestify>},
    {2777, 109, 418, -1, &Make<CSmJyun>, nullptr},
    {2778, 111, 402, -1, &Make<CInduct>, nullptr},
    {2779, 112, 404, 0, &Make<CTestify>, &SetMode<CTestify>},
    {2780, 113, 424, -1, &Make<CArrange>, nullptr},
    {2781, 115, 422, 0, &Make<CKakurit2>, &SetMode<CKakurit2>},
    {2782, 115, 410, 1, &Make<CKakurit2>, &SetMode<CKakurit2>},
    {2783, 116, 428, 0, &Make<CBindist>, &SetMode<CBindist>},
    {2784, 117, 430, 0, &Make<CNorDist>, &SetMode<CNorDist>},
    {2785, 116, 434, 1, &Make<CBindist>, &SetMode<CBindist>},
    {2786, 117, 432, 1, &Make<CNorDist>, &SetMode<CNorDist>},
    {2787, 108, 400, -1, &Make<CSet>, nullptr},
    {32789, 118, 427, -1, &Make<CCorrelate>, nullptr},
};
}  // namespace

std::span<const TopicEntry> TopicCatalogue() { return kTopics; }

const TopicEntry* FindTopic(int command) {
  for (const auto& t : kTopics)
    if (t.command == command) return &t;
  return nullptr;
}

bool OpenTopic(int command) {
  const TopicEntry* t = FindTopic(command);
  if (!t) return false;
  // The guide notice goes out once per opening, before the dialog shows; a missing guide
  // window is silent.
  std::unique_ptr<TopicDialog> dlg = t->make();
  Host::Current().Guide().Post(kGuideWindowTitle, kGuideMessage, t->guideCode, 0);
  if (t->setMode) t->setMode(*dlg, static_cast<int16_t>(t->mode));
  dlg->DoModal();
  return true;
}

void RegisterTopicFactories() {
  for (const auto& t : kTopics) {
    RegisterDialogFactory({t.templateId, "command " + std::to_string(t.command), [&t] {
                             std::unique_ptr<TopicDialog> d = t.make();
                             if (t.setMode) t.setMode(*d, static_cast<int16_t>(t.mode));
                             return std::unique_ptr<Dialog>(std::move(d));
                           }});
  }
  RegisterDialogFactory({114, "graph", [] { return std::make_unique<CGraph>(); }});
  // Every drill code once; the proof and set-basics drills take the page's item as their
  // sub-mode, so each of their items is a dialog of its own.
  std::vector<std::pair<int16_t, int16_t>> drills;
  for (int16_t code : {2769, 2770, 2771, 2772, 2775, 2776, 2777, 2778, 2781, 2782})
    drills.emplace_back(code, 0);
  for (int16_t item = 8; item <= 13; ++item) drills.emplace_back(2779, item);
  for (int16_t item = 0; item <= 8; ++item) drills.emplace_back(2787, item);
  for (const auto& drill : drills) {
    const int16_t code = drill.first, sub = drill.second;
    RegisterDialogFactory({110, "drill " + std::to_string(code) + "/" + std::to_string(sub),
                           [code, sub] { return std::make_unique<CDrill>(nullptr, code, sub); }});
  }
}

}  // namespace vl
