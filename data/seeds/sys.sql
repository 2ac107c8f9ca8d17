-- Progress counters: one record, every counter starting at 0.
CREATE TABLE sys (
    num  INTEGER DEFAULT 0,
    num1 INTEGER DEFAULT 0,
    num2 INTEGER DEFAULT 0,
    num3 INTEGER DEFAULT 0,
    num4 INTEGER DEFAULT 0
);
INSERT INTO sys (num, num1, num2, num3, num4) VALUES (0, 0, 0, 0, 0);
