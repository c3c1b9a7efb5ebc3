int PlainValue() { return 2; }
