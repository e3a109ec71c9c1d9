// The program's start-up and shut-down sequence, step by step, so that tests
// can run the steps around the event loop.
#pragma once

void initialize();
void Main();
void EarlyStartup();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
void LateStartup();
void MakeDefaultView();
void finalize();
