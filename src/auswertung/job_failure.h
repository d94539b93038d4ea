#pragma once

#include <QString>

#include <exception>

// Says in German why a background job ended without its result, from what
// its worker threw: a job never lets a failure end the program.
QString jobFailureText(const std::exception_ptr& failure);
