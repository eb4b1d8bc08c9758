// Base of the media objects that keep the result code of their last device call and check it.
#pragma once

#include <cstdint>

namespace gm {

class TDirectX {
 public:
  virtual ~TDirectX() = default;
  std::int32_t DXResult() const { return dxResult_; }
  // Stores a result; a failure (not 0) runs Check, which each device class may override.
  void SetDXResult(std::int32_t value) {
    dxResult_ = value;
    if (value != 0) Check();
  }

 protected:
  virtual void Check() {}
  // Stores without checking (results that must not start a restore).
  void StoreDXResult(std::int32_t value) { dxResult_ = value; }

 private:
  std::int32_t dxResult_ = 0;
};

}  // namespace gm
