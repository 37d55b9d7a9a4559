extern "C" int lumivane_placeholder = 0;
