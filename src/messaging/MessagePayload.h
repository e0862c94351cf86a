#pragma once

// What a message's obj points at for one what-code. There is no general
// case: a code whose payload is not declared (in WhatCodes.h) cannot be read.
template<int What>
struct MessagePayload;
