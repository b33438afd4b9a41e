abc();
