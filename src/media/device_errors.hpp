// Error classes of the display, input and sound devices.
#pragma once

#include "media/media_error.hpp"

namespace gm {

// Display device failures ("Form not found", "%s cannot be made" ...).
class EDXDrawError : public EDirectXError {
 public:
  using EDirectXError::EDirectXError;
};

// The display's device object ("It should be either of 8 or 16 or 24 or 32" ...).
class EDirectDrawError : public EDirectXError {
 public:
  using EDirectXError::EDirectXError;
};

// Input devices ("Form not found").
class EDXInputError : public MediaError {
 public:
  using MediaError::MediaError;
};

// The sound component ("Form not found", "%s cannot be made" with "Primary Buffer").
class EDXSoundError : public EDirectXError {
 public:
  using EDirectXError::EDirectXError;
};

// The sound device ("%s not made" with "IDirectSound").
class EDirectSoundError : public EDirectXError {
 public:
  using EDirectXError::EDirectXError;
};

// Sound buffers ("%s not made" with "IDirectSoundBuffer", "%s cannot be made" with "Sound Buffer").
class EDirectSoundBufferError : public EDirectSoundError {
 public:
  using EDirectSoundError::EDirectSoundError;
};

}  // namespace gm
