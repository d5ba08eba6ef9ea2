// The Run methods: the texts and the flag go by reference, so whatever the control writes into
// them reaches the caller's strings.
#include "client/grading/controls/ping_run.h"

base::Result<double> PingWord::Run(std::string& wordCheckPath, std::string& wordAnswerPath,
                                   std::string& wordAnswerFileName, bool& debugMode) {
  std::string* texts[] = {&wordCheckPath, &wordAnswerPath, &wordAnswerFileName};
  return InvokeWithReferences(kRun, texts, debugMode);
}

base::Result<double> PingPpt::Run(std::string& pptCheckPath, std::string& pptAnswerPath,
                                  std::string& pptAnswerFileName, bool& debugMode) {
  std::string* texts[] = {&pptCheckPath, &pptAnswerPath, &pptAnswerFileName};
  return InvokeWithReferences(kRun, texts, debugMode);
}

base::Result<double> PingFp::Run(std::string& fpCheckPath, std::string& fpAnswerFile,
                                 bool& debugMode) {
  std::string* texts[] = {&fpCheckPath, &fpAnswerFile};
  return InvokeWithReferences(kRun, texts, debugMode);
}
