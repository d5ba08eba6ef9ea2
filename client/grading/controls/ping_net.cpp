// The network-part grading control's members.
#include "client/grading/controls/ping_net.h"

base::Result<double> PingNet::GetScore() {
  auto v = GetProperty(kScore, com::VT_R8);
  if (!v) return v.error();
  return v->RealValue();
}

base::Status PingNet::Go() {
  auto r = InvokeMethod(kGo, {}, com::VT_EMPTY);
  if (!r) return r.error();
  return base::Ok();
}
