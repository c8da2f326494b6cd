// A per-shape data stream keyed by a UuidRecord. Positions are byte offsets;
// a float takes four bytes. [host implements, plug-in calls]
#pragma once

#include "host/fwd.h"
#include "platform/win32_types.h"

namespace jolvent {

class Stream : public IUnknown {
public:
  // Reads the next float and advances.
  virtual void readFloat(float* out, Reserved) = 0;
  // Writes at the position and advances, growing the stream.
  virtual void writeFloat(const float* value, Reserved) = 0;
  virtual void seek(int position, Reserved) = 0;
  // Length in bytes.
  virtual int size(Reserved) = 0;

protected:
  ~Stream() = default;
};

}  // namespace jolvent
