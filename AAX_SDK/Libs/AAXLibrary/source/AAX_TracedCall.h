#pragma once
// The catch block of host calls that set up proxies and may throw: on any
// exception the caller's partial state is released, the exception is traced
// to the host, and the host gets a result code instead of the exception.

#include "AAX_Exception.h"
#include "AAX_Result.h"
#include "AAX_Trace.h"

#include <exception>

// `callName` names the call in the trace ("Class::Method"); `release` undoes
// what `body` had set up before it threw.
template <class Body, class Release>
AAX_ResultCode AAX_CallReleasingOnException(const char* callName, Body&& body, Release&& release) {
  try {
    return body();
  } catch (const AAX::Exception::ResultError& error) {
    release();
    TraceToHost(kAAX_TraceError, "%s exception caught: %s", callName, error.What().c_str());
    return error.Result();
  } catch (const AAX::Exception::Any& error) {
    release();
    TraceToHost(kAAX_TraceError, "%s exception caught: %s", callName, error.What().c_str());
    return AAX_ERROR_UNKNOWN_EXCEPTION;
  } catch (const std::exception& error) {
    release();
    TraceToHost(kAAX_TraceError, "%s exception caught: %s", callName, error.what());
    return AAX_ERROR_UNKNOWN_EXCEPTION;
  } catch (...) {
    release();
    TraceToHost(kAAX_TraceError, "%s exception caught: %s", callName, "unknown");
    return AAX_ERROR_UNKNOWN_EXCEPTION;
  }
}
